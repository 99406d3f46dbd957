#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QCloseEvent;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;

// The ISA trainer's main window: reference texts, the signal table, the bus cycles,
// the interaction exercise and the control questions. Closing it shows the lab selector.
class TISAForm : public QWidget {
    Q_OBJECT
public:
    explicit TISAForm(QWidget *parent = nullptr);

    // The window shown again when this one closes (the lab selector).
    void setReturnWindow(QWidget *window) { m_returnWindow = window; }

    static QString helpFile() { return QStringLiteral("isa\\kopisa.hlp"); }
    // The grid row of the signal table that is selected (row 0 is the heading).
    int selectedRow() const;
    // The number of grid rows, the heading included.
    int gridRows() const;
    // A cell of the signal table by grid row (row 0 is the heading).
    QString cell(int column, int row) const;

    void FormShow();
    void FormClose();
    void N16Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void IBMPCAT1Click();
    void EISA1Click();
    void N7Click();
    void N8Click();
    void N10Click();
    void N11Click();
    void N12Click();
    void N15Click();
    void N14Click();
    void StringGrid1Click();
    void CheckBox1Click();
    void BitBtn1Click();

    QMenuBar *MainMenu1;
    QMenu *N1;
    QMenu *N2;
    QAction *N16;
    QAction *N3;
    QAction *N4;
    QAction *N5;
    QAction *IBMPCAT1;
    QAction *EISA1;
    QAction *N7;
    QAction *N8;
    QAction *N10;
    QAction *N11;
    QAction *N12;
    QAction *N15;
    QAction *N14;
    QFrame *Panel1;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton4;
    QPushButton *SpeedButton2;
    QPushButton *SpeedButton5;
    QPushButton *SpeedButton7;
    QPushButton *SpeedButton3;
    QPushButton *SpeedButton6;
    QLabel *Label1;
    QTableWidget *StringGrid1;
    QFrame *Panel2;
    QCheckBox *CheckBox1;
    QPushButton *BitBtn1;
    QPlainTextEdit *Memo1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenu();
    void createToolBar();
    void createSignalTable();
    void setTableVisible(bool visible);
    void loadColumns(bool eisa);

    QWidget *m_client;
    QWidget *m_welcome;
    QWidget *m_returnWindow = nullptr;
};
