#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The check of the lab's task 2: the student's control word and count for a
// variant of the instructions' table, field by field.
class VariantPanel : public QWidget {
    Q_OBJECT
public:
    explicit VariantPanel(QWidget *parent = nullptr);

    void check();
    QString verdictText() const;

private:
    void showVariant();

    QComboBox *m_variant;
    QLineEdit *m_controlWord;
    QLineEdit *m_count;
    QPlainTextEdit *m_verdict;
};
