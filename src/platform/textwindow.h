#pragma once

#include <QWidget>

class QPlainTextEdit;

// A text file shown read-only in a window of the package (UTF-8 or Windows-1251).
class TextWindow : public QWidget {
    Q_OBJECT

public:
    explicit TextWindow(const QString &filePath, QWidget *parent = nullptr);

    QString filePath() const { return m_path; }
    QString text() const;

private:
    QString m_path;
    QPlainTextEdit *m_view;
};
