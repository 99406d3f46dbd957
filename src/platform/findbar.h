#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

// Find in page: a bar under the page with the text to find, next and previous;
// the search wraps around the page, says so, and says when the text is not there.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QTextBrowser *browser, QWidget *parent = nullptr);

    // Shows the bar with the edit focused and its text selected.
    void open();
    bool findNext();
    bool findPrevious();
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FindEditChange();
    void FindEditReturn();
    void FindNextButtonClick();
    void FindPreviousButtonClick();
    void FindCloseButtonClick();
    bool find(bool backward, bool fromSelectionStart);
    void showResult(bool found);

    QTextBrowser *m_browser;
    QLineEdit *m_edit;
    QToolButton *m_next;
    QToolButton *m_previous;
    QToolButton *m_close;
    QLabel *m_status;
};
