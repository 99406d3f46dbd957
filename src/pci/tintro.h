#pragma once

#include "pci/pcidialog.h"

class QPlainTextEdit;
class QPushButton;

// The PCI trainer's introductory text, shown modally before each topic. For
// the bus operations it also offers the four kinds of operation; its result
// tag says which was chosen (0 for OK, 1 to 4 for the buttons).
class TIntro : public PciDialog {
    Q_OBJECT
public:
    explicit TIntro(QWidget *parent = nullptr);

    // The text file shown next (a content path).
    void setTextName(const QString &contentPath) { m_textName = contentPath; }
    QString textName() const { return m_textName; }
    // Loads the current text and shows the window modally, with or without
    // the four operation buttons; returns the result tag. A missing text
    // throws before the window opens.
    int showText(bool withOperations = false);
    int tag() const { return m_tag; }

    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void OperationClick(int tag);

protected:
    void done(int result) override;

private:
    QString m_textName;
    int m_tag = 0;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
};
