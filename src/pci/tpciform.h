#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QTime;
class QVBoxLayout;
namespace PciTables {
struct Table;
}

// The PCI trainer's main window: texts, the signal and command tables, the bus
// operations, the lesson and the control questions. Closing it shows the lab selector.
class TPciform : public QWidget {
    Q_OBJECT
public:
    explicit TPciform(QWidget *parent = nullptr);

    // The window shown again when this one closes (the lab selector).
    void setReturnWindow(QWidget *window) { m_returnWindow = window; }

    // "h:nn " — hours without a leading zero, then one blank.
    static QString clockText(const QTime &time);
    QStringList detailList() const { return m_detailList; }

    void FormShow();
    void FormClose();
    void Timer1Timer();
    void ShowHint(const QString &hint);
    void IntroItemClick();
    void ArchitItemClick();
    void SignalsItemClick();
    void CommandsItemClick();
    void OperationsItemClick();
    void LessonItemClick();
    void ControlItemClick();
    void FileExitItemClick();
    void HelpContentsItemClick();
    void HelpSearchItemClick();
    void HelpHowToUseItemClick();
    void HelpAboutItemClick();
    void StringGrid1Click();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildSpeedBar();
    void buildTablePanel();
    void buildStatusLine();
    void buildLayout();
    QAction *item(QMenu *menu, const QString &name, const QString &caption, const QString &hint,
                  const QKeySequence &shortcut, void (TPciform::*handler)());
    QPushButton *speedButton(const QString &name, const QString &hint, int icon, void (TPciform::*handler)());
    void showIntro(const QString &textName);
    void openTable(const PciTables::Table &table);
    void hidePanel();
    QMenuBar *menuBar();

    QWidget *m_returnWindow = nullptr;
    QStringList m_detailList;
    QVBoxLayout *m_layout;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_studyMenu;
    QMenu *m_helpMenu;

    QWidget *SpeedBar;
    QLabel *StatusLine;
    QLabel *Label1;
    QWidget *Panel1;
    QLabel *m_background;
    QLabel *Label3;
    QTableWidget *StringGrid1;
    QLabel *Label4;
    QPlainTextEdit *Memo1;
    QCheckBox *CheckBox1;
    QTimer *Timer1;
};
