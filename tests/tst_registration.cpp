#include "platform/random.h"
#include "scsi/studentrecord.h"
#include "scsi/tmain_form.h"
#include "scsi/treg_form.h"
#include "scsi/tstat_form.h"
#include "testutil.h"
#include "usb/tmain_formusb.h"
#include "usb/treg_formusb.h"
#include "usb/tstat_formusb.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

// Answers the registration dialog with a surname and group ("OK") or "Отмена";
// about boxes are closed, message boxes confirmed.
TestUtil::ModalAnswerer::Handler registration(const QString &surname, const QString &group, bool ok = true,
                                              QStringList *shownSurnames = nullptr)
{
    return [=](QWidget *modal) {
        if (modal->objectName().startsWith(QLatin1String("Reg_form"))) {
            auto *fam = TestUtil::child<QLineEdit>(modal, "E_fam");
            if (shownSurnames)
                shownSurnames->append(fam->text());
            fam->setText(surname);
            TestUtil::child<QLineEdit>(modal, "E_gr")->setText(group);
            TestUtil::child<QPushButton>(modal, ok ? "B_ok" : "B_can")->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->buttons().first()->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    };
}

void fill(StudentRecord &record)
{
    record.surname = QStringLiteral("Иванов");
    record.group = QStringLiteral("К1-101");
    for (int i = 0; i < StudentRecord::kCounterCount; ++i)
        record.counters[size_t(i)] = 10 + i;
}

QStringList statisticsValues(QWidget *dialog, bool scsi)
{
    QStringList names{"L_fam", "L_gr", "L_quest", "L_ans", "L_les1", "L_les1r"};
    if (scsi)
        names << "L_les2"
              << "L_les2r";
    QStringList values;
    for (const QString &name : names)
        values << TestUtil::child<QLabel>(dialog, name)->text();
    return values;
}

QString fiveQuestions()
{
    QStringList lines{QStringLiteral("5")};
    for (int q = 1; q <= 5; ++q)
        lines << QStringLiteral("Вопрос %1").arg(q) << QStringLiteral("А") << QStringLiteral("Б") << QString();
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray jpeg()
{
    QImage image(553, 401, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

} // namespace

class RegistrationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(4); }
    void dialogControls();
    void registrationRules_data();
    void registrationRules();
    void usbRegistrationClearsFourCounters();
    void statisticsShowValues_data();
    void statisticsShowValues();
    void menuAndButtonsRegister();
    void cancelOnFirstActivationKeepsEmpty();
    void questionTestCounts();
    void usbTaskCounts();
    void recordsAreIndependent();
    void enterInSurnameGoesToGroup_data();
    void enterInSurnameGoesToGroup();
};

void RegistrationTest::dialogControls()
{
    TReg_form form;
    StudentRecord record;
    fill(record);
    form.setRecord(&record);
    form.show();
    QCOMPARE(form.objectName(), QStringLiteral("Reg_form"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Регистрация"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "L_fam")->text(), QStringLiteral("Фамилия"));
    QVERIFY(TestUtil::child<QLabel>(&form, "L_fam")->font().bold());
    QCOMPARE(TestUtil::child<QLabel>(&form, "L_fam")->buddy(), TestUtil::child<QWidget>(&form, "E_fam"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "L_gr")->text(), QStringLiteral("Группа"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "L_gr")->buddy(), TestUtil::child<QWidget>(&form, "E_gr"));
    QCOMPARE(TestUtil::child<QPushButton>(&form, "B_ok")->text(), QStringLiteral("OK"));
    QCOMPARE(TestUtil::child<QPushButton>(&form, "B_can")->text(), QStringLiteral("Отмена"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "E_fam")->text(), QStringLiteral("Иванов"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "E_gr")->text(), QStringLiteral("К1-101"));
    QVERIFY(form.windowFlags().testFlag(Qt::Tool));
    TestUtil::saveScreenshot(&form, QStringLiteral("reg_form"));
    TReg_formusb usb;
    QCOMPARE(usb.objectName(), QStringLiteral("Reg_formusb"));
    QCOMPARE(usb.windowTitle(), QStringLiteral("Регистрация"));
}

void RegistrationTest::registrationRules_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("storedSurname");
    QTest::addColumn<QString>("storedGroup");
    QTest::addRow("new student") << "Петров"
                                 << "К2-202" << true << true << "Петров"
                                 << "К2-202";
    QTest::addRow("same student keeps counters") << "Иванов"
                                                 << "К1-101" << true << false << "Иванов"
                                                 << "К1-101";
    QTest::addRow("only group changed") << "Иванов"
                                        << "К1-102" << true << true << "Иванов"
                                        << "К1-102";
    QTest::addRow("case matters") << "иванов"
                                  << "К1-101" << true << true << "иванов"
                                  << "К1-101";
    QTest::addRow("empty fields stored") << ""
                                         << "" << true << true << ""
                                         << "";
    QTest::addRow("cancel stores nothing") << "Петров"
                                           << "К2-202" << false << false << "Иванов"
                                           << "К1-101";
}

void RegistrationTest::registrationRules()
{
    QFETCH(QString, surname);
    QFETCH(QString, group);
    QFETCH(bool, ok);
    QFETCH(bool, cleared);
    QFETCH(QString, storedSurname);
    QFETCH(QString, storedGroup);
    TMain_form main;
    fill(main.record());
    QStringList shown;
    TestUtil::ModalAnswerer answerer(registration(surname, group, ok, &shown));
    main.findChild<QAction *>(QStringLiteral("m_reg"))->trigger();
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("Reg_form")});
    QCOMPARE(shown, QStringList{QStringLiteral("Иванов")});
    QCOMPARE(main.record().surname, storedSurname);
    QCOMPARE(main.record().group, storedGroup);
    for (int i = 0; i < StudentRecord::kCounterCount; ++i)
        QCOMPARE(main.record().counters[size_t(i)], cleared ? 0 : 10 + i);
}

void RegistrationTest::usbRegistrationClearsFourCounters()
{
    TMain_formusb main;
    fill(main.record());
    main.record().counters[4] = 0;
    main.record().counters[5] = 0;
    TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Сидоров"), QStringLiteral("К3-303")));
    TestUtil::child<QPushButton>(&main, "bb_reg")->click();
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("Reg_formusb")});
    QCOMPARE(main.record().surname, QStringLiteral("Сидоров"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(main.record().counters[size_t(i)], 0);
}

void RegistrationTest::statisticsShowValues_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addRow("SCSI") << true;
    QTest::addRow("USB") << false;
}

void RegistrationTest::statisticsShowValues()
{
    QFETCH(bool, scsi);
    StudentRecord record;
    fill(record);
    std::unique_ptr<StatisticsDialog> dialog;
    if (scsi)
        dialog = std::make_unique<TStat_form>();
    else
        dialog = std::make_unique<TStat_formusb>();
    QCOMPARE(dialog->objectName(), scsi ? QStringLiteral("Stat_form") : QStringLiteral("Stat_formusb"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Статистика пользователя"));
    QCOMPARE(dialog->size(), scsi ? QSize(239, 330) : QSize(242, 285));
    QCOMPARE(TestUtil::child<QPushButton>(dialog.get(), "Button1")->text(), QStringLiteral("ОК"));
    QStringList captions;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->font().bold())
            captions << label->text();
    }
    QStringList expected{"Фамилия :", "Группа :", "Всего вопросов :", "Правильных ответов :"};
    if (scsi)
        expected << "Всего заданий 1 :"
                 << "Правильных заданий 1 :"
                 << "Всего заданий 2 :"
                 << "Правильных заданий 2 :";
    else
        expected << "Всего заданий :"
                 << "Правильных заданий :";
    QCOMPARE(captions, expected);
    QCOMPARE(dialog->findChildren<QFrame *>(QRegularExpression(QStringLiteral("^Bevel"))).size(), scsi ? 3 : 2);
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("L_les2")) == nullptr || scsi);
    // every caption fits its label
    for (QLabel *label : dialog->findChildren<QLabel *>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));

    dialog->setRecord(&record);
    dialog->show();
    QStringList values{"Иванов", "К1-101", "10", "11", "12", "13"};
    if (scsi)
        values << "14"
               << "15";
    QCOMPARE(statisticsValues(dialog.get(), scsi), values);
    TestUtil::saveScreenshot(dialog.get(), scsi ? QStringLiteral("stat_form") : QStringLiteral("stat_formusb"));
    // shown again after a change: refreshed
    dialog->hide();
    record.counters[0] = 123456;
    record.surname.clear();
    dialog->show();
    QCOMPARE(TestUtil::child<QLabel>(dialog.get(), "L_quest")->text(), QStringLiteral("123456"));
    QCOMPARE(TestUtil::child<QLabel>(dialog.get(), "L_fam")->text(), QString());
    TestUtil::child<QPushButton>(dialog.get(), "Button1")->click();
    QVERIFY(!dialog->isVisible());
}

void RegistrationTest::menuAndButtonsRegister()
{
    // The dialogs are reused: each showing gets its own answerer.
    TMain_form main;
    QStringList shown;
    {
        TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Петров"), QStringLiteral("К2"), true, &shown));
        TestUtil::child<QPushButton>(&main, "bb_reg")->click();
        QCOMPARE(answerer.count(), 1);
    }
    QCOMPARE(main.record().surname, QStringLiteral("Петров"));
    main.record().add(StudentRecord::Task2Right, 3);
    {
        TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Петров"), QStringLiteral("К2"), true, &shown));
        main.findChild<QAction *>(QStringLiteral("m_reg"))->trigger(); // same student
        QCOMPARE(answerer.count(), 1);
    }
    QCOMPARE(main.record().value(StudentRecord::Task2Right), 3);
    QCOMPARE(shown, (QStringList{QString(), QStringLiteral("Петров")}));

    QStringList values;
    auto statistics = [&values](QWidget *modal) {
        values = statisticsValues(modal, true);
        TestUtil::child<QPushButton>(modal, "Button1")->click();
    };
    {
        TestUtil::ModalAnswerer answerer(statistics);
        TestUtil::child<QPushButton>(&main, "bb_stat")->click();
        QCOMPARE(answerer.modalNames(), QStringList{"Stat_form"});
    }
    QCOMPARE(values, (QStringList{"Петров", "К2", "0", "0", "0", "0", "0", "3"}));
    values.clear();
    {
        TestUtil::ModalAnswerer answerer(statistics);
        main.findChild<QAction *>(QStringLiteral("m_stat"))->trigger();
        QCOMPARE(answerer.modalNames(), QStringList{"Stat_form"});
    }
    QCOMPARE(values.first(), QStringLiteral("Петров"));
}

void RegistrationTest::cancelOnFirstActivationKeepsEmpty()
{
    TMain_form main;
    {
        TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Петров"), QStringLiteral("К2"), false));
        main.show();
        QTRY_VERIFY(main.firstActivationDone());
        QCOMPARE(answerer.modalNames(), (QStringList{"about_form", "Reg_form"}));
    }
    QCOMPARE(main.record().surname, QString());
    QCOMPARE(main.record().group, QString());

    QStringList values;
    TestUtil::ModalAnswerer statistics([&values](QWidget *modal) {
        values = statisticsValues(modal, true);
        modal->close();
    });
    TestUtil::child<QPushButton>(&main, "bb_stat")->click();
    QCOMPARE(values, (QStringList{"", "", "0", "0", "0", "0", "0", "0"}));
}

void RegistrationTest::questionTestCounts()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fiveQuestions());
    TMain_form main;
    // question q has two options: the right one is index q mod 2
    TestUtil::ModalAnswerer answerer([](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->buttons().first()->click();
            return;
        }
        if (modal->objectName() != QLatin1String("Quest_form"))
            return;
        QTimer::singleShot(0, modal, [modal] {
            for (int q = 1; q <= 2; ++q) {
                const QList<QRadioButton *> options = modal->findChildren<QRadioButton *>();
                options[q % 2]->click();
                TestUtil::child<QPushButton>(modal, "b_next")->click();
            }
            modal->close();
        });
    });
    TestUtil::child<QPushButton>(&main, "BitBtn1")->click();
    QCOMPARE(answerer.modalNames().first(), QStringLiteral("Quest_form"));
    QCOMPARE(main.record().value(StudentRecord::QuestionsAsked), 5);
    QCOMPARE(main.record().value(StudentRecord::QuestionsRight), 2);
    main.findChild<QAction *>(QStringLiteral("m_quest"))->trigger();
    QCOMPARE(main.record().value(StudentRecord::QuestionsAsked), 10);
    QCOMPARE(main.record().value(StudentRecord::QuestionsRight), 4);
}

void RegistrationTest::usbTaskCounts()
{
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("test1.jpg"), jpeg());
    folder.write(QStringLiteral("error1.jpg"), jpeg());
    QByteArray task(506, '\0');
    task.replace(1, 4, "task");
    task[501] = char(0x69);
    folder.write(QStringLiteral("usb/quest/usb_les.dat"), task);
    TMain_formusb main;
    int step = 0;
    // first opening: a right check (all zeros but the PID) then "ВЫХОД";
    // second opening: closed without a check
    TestUtil::ModalAnswerer answerer([&step](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->buttons().first()->click();
            return;
        }
        if (modal->objectName() != QLatin1String("Form11"))
            return;
        const int opening = step++;
        QTimer::singleShot(0, modal, [modal, opening] {
            if (opening == 0) {
                TestUtil::child<QLineEdit>(modal, "edit_pid")->setText(QStringLiteral("01101001"));
                TestUtil::child<QPushButton>(modal, "Ready_btn")->click();
                TestUtil::child<QPushButton>(modal, "Ready_btn")->click();
            } else {
                modal->close();
            }
        });
    });
    TestUtil::child<QPushButton>(&main, "bb_les")->click();
    QCOMPARE(main.record().value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(main.record().value(StudentRecord::Task1Right), 1);
    main.findChild<QAction *>(QStringLiteral("m_les1"))->trigger();
    QCOMPARE(main.record().value(StudentRecord::Task1Attempts), 2);
    QCOMPARE(main.record().value(StudentRecord::Task1Right), 1);
    QCOMPARE(answerer.modalNames(), (QStringList{"Form11", "MessageBox", "Form11"}));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Задание выполненно верно !")});
}

void RegistrationTest::recordsAreIndependent()
{
    TMain_form scsi;
    TMain_formusb usb;
    fill(scsi.record());
    fill(usb.record());
    {
        TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Петров"), QStringLiteral("К2")));
        usb.findChild<QAction *>(QStringLiteral("m_reg"))->trigger();
    }
    QCOMPARE(usb.record().surname, QStringLiteral("Петров"));
    QCOMPARE(usb.record().value(StudentRecord::QuestionsAsked), 0);
    QCOMPARE(scsi.record().surname, QStringLiteral("Иванов"));
    QCOMPARE(scsi.record().value(StudentRecord::QuestionsAsked), 10);
    {
        TestUtil::ModalAnswerer answerer(registration(QStringLiteral("Сидоров"), QStringLiteral("К3")));
        scsi.findChild<QAction *>(QStringLiteral("m_reg"))->trigger();
    }
    QCOMPARE(usb.record().surname, QStringLiteral("Петров"));
    QCOMPARE(scsi.record().surname, QStringLiteral("Сидоров"));
    QCOMPARE(scsi.record().value(StudentRecord::Task2Right), 0);
}

void RegistrationTest::enterInSurnameGoesToGroup_data()
{
    QTest::addColumn<bool>("usb");
    QTest::addRow("Reg_form") << false;
    QTest::addRow("Reg_formusb") << true;
}

void RegistrationTest::enterInSurnameGoesToGroup()
{
    QFETCH(bool, usb);
    std::unique_ptr<RegistrationDialog> dialog;
    if (usb)
        dialog = std::make_unique<TReg_formusb>();
    else
        dialog = std::make_unique<TReg_form>();
    StudentRecord record;
    fill(record);
    bool openAfterSurname = false;
    QWidget *focusAfterSurname = nullptr;
    StudentRecord afterSurname;
    TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
        auto *surname = TestUtil::child<QLineEdit>(modal, "E_fam");
        auto *group = TestUtil::child<QLineEdit>(modal, "E_gr");
        surname->clear();
        QTest::keyClicks(surname, QStringLiteral("Petrov"));
        QTest::keyClick(surname, Qt::Key_Return);
        openAfterSurname = modal->isVisible();
        focusAfterSurname = modal->focusWidget();
        afterSurname = record;
        group->clear();
        QTest::keyClicks(group, QStringLiteral("K4-404"));
        QTest::keyClick(group, Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(!TestUtil::child<QPushButton>(dialog.get(), "B_ok")->isDefault());
    QVERIFY(dialog->registerStudent(record));
    QVERIFY2(openAfterSurname, "Enter in the surname does not accept the dialog");
    QCOMPARE(focusAfterSurname, TestUtil::child<QWidget>(dialog.get(), "E_gr"));
    QCOMPARE(afterSurname.surname, QStringLiteral("Иванов"));
    QCOMPARE(afterSurname.value(StudentRecord::Task1Attempts), 12);
    // Enter in the group accepts: a new student, the counters start again.
    QCOMPARE(record.surname, QStringLiteral("Petrov"));
    QCOMPARE(record.group, QStringLiteral("K4-404"));
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
}

QTEST_MAIN(RegistrationTest)
#include "tst_registration.moc"
