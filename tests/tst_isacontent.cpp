// Every ISA content file the package ships: present, readable as the trainer
// reads it, and complete enough for its window. Each failure names the file.
#include "isa/cyclecatalogue.h"
#include "isa/isatext.h"
#include "isa/signaltable.h"
#include "isa/taboutform.h"
#include "isa/tatcyclesform.h"
#include "isa/tcyclesform.h"
#include "isa/tcyclesparamform.h"
#include "isa/tinteractform.h"
#include "isa/tisaform.h"
#include "isa/tkontrqform.h"
#include "isa/tresinteractform.h"
#include "isa/tvvedenieform.h"
#include "isa/twarningform.h"
#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/metafile.h"
#include "tst_isawindows.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStringDecoder>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <functional>

namespace {

QStringList textFiles()
{
    QStringList files = {QStringLiteral("ISA\\discr\\isa1.txt"), QStringLiteral("ISA\\discr\\Eisa.txt"),
                         QStringLiteral("ISA\\signals\\progr.txt"), TWarningForm::noteFile()};
    for (int i = 0; i < CycleCatalogue::entryCount(); ++i)
        files << CycleCatalogue::entry(i).descriptionPath();
    for (int tab = 0; tab < CycleCatalogue::AtTabCount; ++tab)
        files << CycleCatalogue::atTab(tab).descriptionPath();
    for (bool eisa : {false, true}) {
        for (int row = 0; row < SignalTable::rowCount(eisa); ++row) {
            const QString file = SignalTable::descriptionFile(eisa, row);
            if (!file.isEmpty())
                files << file;
        }
    }
    files.removeDuplicates();
    return files;
}

QStringList diagramFiles()
{
    QStringList files = {TAboutForm::pictureFile()};
    for (int i = 0; i < CycleCatalogue::entryCount(); ++i)
        files << CycleCatalogue::entry(i).diagramPath();
    for (int tab = 0; tab < CycleCatalogue::AtTabCount; ++tab)
        files << CycleCatalogue::atTab(tab).diagramPath();
    files.removeDuplicates();
    return files;
}

// Runs a check on every file and fails once, listing every fault with its file.
void checkEach(const QStringList &files, const std::function<void(const QString &, QStringList &)> &check)
{
    QStringList faults;
    for (const QString &file : files) {
        try {
            check(file, faults);
        } catch (const ContentError &error) {
            faults << error.message();
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
}

// The package's texts are Windows-1251 with CR LF line ends; a Russian text in
// that code page is practically never valid UTF-8.
void checkEncoding(const QString &contentPath, QStringList &faults)
{
    QFile file(ContentPath::resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    bool nonAscii = false;
    for (char byte : bytes)
        nonAscii = nonAscii || (static_cast<unsigned char>(byte) >= 0x80);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    if (nonAscii && !decoded.isEmpty() && !utf8.hasError())
        faults << contentPath + QStringLiteral(": UTF-8, not Windows-1251");
    if (bytes.contains('\n') && !bytes.contains("\r\n"))
        faults << contentPath + QStringLiteral(": LF line ends, not CR LF");
}

// The picture box a diagram is drawn in at its own size (the about box stretches).
QSize boxFor(const QString &diagram)
{
    for (int tab = 0; tab < CycleCatalogue::AtTabCount; ++tab) {
        if (CycleCatalogue::atTab(tab).diagramPath() == diagram)
            return QSize(569, 345);
    }
    return diagram == TAboutForm::pictureFile() ? QSize(32767, 32767) : QSize(469, 365);
}

} // namespace

class TestIsaContent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString package = TestUtil::packageFolder();
        if (package.isEmpty() || !QDir(package).exists())
            QSKIP("SHINO_PACKAGE_DIR does not name the built package");
        m_previous = QDir::currentPath();
        QDir::setCurrent(package);
    }

    void cleanupTestCase()
    {
        if (!m_previous.isEmpty())
            QDir::setCurrent(m_previous);
    }

    void expectedFileCounts()
    {
        QCOMPARE(diagramFiles().size(), 24); // 16 + Regener, DMA, bus_fuc + 4 AT + 123.wmf
        QSet<QString> isaDescriptions;
        for (int row = 0; row < SignalTable::rowCount(false); ++row) {
            if (!SignalTable::descriptionFile(false, row).isEmpty())
                isaDescriptions.insert(SignalTable::descriptionFile(false, row));
        }
        QCOMPARE(isaDescriptions.size(), 20);
    }

    void everyTextFileReads()
    {
        checkEach(textFiles(), [](const QString &file, QStringList &faults) {
            const QStringList lines = IsaText::readLines(file);
            if (QStringList(lines).join(QString()).trimmed().isEmpty())
                faults << file + QStringLiteral(": empty");
            checkEncoding(file, faults);
        });
    }

    void everySignalColumnFillsItsTable()
    {
        for (bool eisa : {false, true}) {
            const int rows = SignalTable::rowCount(eisa);
            checkEach(SignalTable::columnFiles(eisa), [rows](const QString &file, QStringList &faults) {
                const QStringList lines = IsaText::readLines(file);
                if (lines.size() < rows)
                    faults << QStringLiteral("%1: %2 lines for %3 rows").arg(file).arg(lines.size()).arg(rows);
                else if (lines.first().trimmed().isEmpty())
                    faults << file + QStringLiteral(": no heading");
                checkEncoding(file, faults);
            });
        }
    }

    void everyDiagramLoads()
    {
        checkEach(diagramFiles(), [](const QString &file, QStringList &faults) {
            const QSize size = Metafile::load(file).size();
            const QSize box = boxFor(file);
            if (size.isEmpty())
                faults << file + QStringLiteral(": empty picture");
            else if (size.width() > box.width() || size.height() > box.height())
                faults << QStringLiteral("%1: %2 x %3 does not fit its %4 x %5 picture box")
                              .arg(file)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(box.width())
                              .arg(box.height());
        });
    }

    void helpFileIsShipped()
    {
        QVERIFY2(QFileInfo(ContentPath::resolve(TISAForm::helpFile())).isFile(), qPrintable(TISAForm::helpFile()));
    }

    // The windows with the shipped content, as a student sees them; every command
    // runs without an error box. Pictures go to $SHINO_SCREENSHOTS when it is set.
    void windowsWithShippedContent()
    {
        IsaWindows windows;
        TestUtil::ModalAnswerer answerer;
        ISAForm->show();
        ISAForm->N4->trigger();
        ISAForm->StringGrid1->setCurrentCell(4, 0);
        TestUtil::saveScreenshot(ISAForm, QStringLiteral("shipped_ISAForm_table"));
        ISAForm->CheckBox1->setChecked(true);
        ISAForm->StringGrid1->setCurrentCell(7, 0);
        TestUtil::saveScreenshot(ISAForm, QStringLiteral("shipped_ISAForm_eisa"));
        ISAForm->N3->trigger();
        TestUtil::saveScreenshot(VvedenieForm, QStringLiteral("shipped_VvedenieForm"));
        VvedenieForm->BitBtn1->click();
        ISAForm->N14->trigger();
        TestUtil::saveScreenshot(AboutForm, QStringLiteral("shipped_AboutForm"));
        AboutForm->BitBtn1->click();
        for (int i = 0; i < CycleCatalogue::entryCount(); ++i) {
            const CycleCatalogue::Entry &entry = CycleCatalogue::entry(i);
            CyclesForm->ShowCycle(entry);
            TestUtil::saveScreenshot(CyclesForm, QStringLiteral("shipped_CyclesForm_%1").arg(i));
        }
        ISAForm->N5->trigger();
        CyclesparamForm->RadioGroupClick(0, 0);
        CyclesparamForm->RadioGroupClick(1, 1);
        CyclesparamForm->RadioGroupClick(2, 1);
        CyclesparamForm->RadioGroupClick(3, 0);
        CyclesparamForm->RadioGroupClick(4, 2);
        TestUtil::saveScreenshot(CyclesparamForm, QStringLiteral("shipped_CyclesparamForm"));
        CyclesparamForm->BitBtn1->click();
        TestUtil::saveScreenshot(WarningForm, QStringLiteral("shipped_WarningForm"));
        WarningForm->BitBtn1->click();
        CyclesForm->BitBtn2->click();
        for (int tab = 0; tab < CycleCatalogue::AtTabCount; ++tab) {
            ATCyclesForm->TabSet1->setCurrentIndex(tab);
            TestUtil::saveScreenshot(ATCyclesForm, QStringLiteral("shipped_ATCyclesForm_%1").arg(tab));
        }
        ATCyclesForm->BitBtn1->click();
        ISAForm->N7->trigger();
        for (int k : {0, 1, 3, 9, 15})
            InteractForm->signalBox(k)->setChecked(true);
        TestUtil::saveScreenshot(InteractForm, QStringLiteral("shipped_InteractForm"));
        InteractForm->BitBtn1->click();
        TestUtil::saveScreenshot(ResInteractForm, QStringLiteral("shipped_ResInteractForm"));
        ResInteractForm->BitBtn1->click();
        InteractForm->hide();
        ISAForm->N8->trigger();
        TestUtil::saveScreenshot(KontrQForm, QStringLiteral("shipped_KontrQForm"));
        QCOMPARE(answerer.texts(), QStringList());
        QVERIFY(ISAForm->Memo1->toPlainText().size() > 20);
        QVERIFY(CyclesForm->Memo1->toPlainText().size() > 20);
    }

private:
    QString m_previous;
};

QTEST_MAIN(TestIsaContent)
#include "tst_isacontent.moc"
