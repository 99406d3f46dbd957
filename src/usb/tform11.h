#pragma once

#include "usb/usbexercise.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
struct StudentRecord;

// The USB packet exercise: the student types the token and data packet fields
// in binary over the packet picture; "ГОТОВО" checks them. Created for each
// opening; a missing task file or picture throws from the constructor.
class TForm11 : public QDialog {
    Q_OBJECT
public:
    static QString packetPicture() { return QStringLiteral("test1.jpg"); }
    static QString errorPicture() { return QStringLiteral("error1.jpg"); }

    explicit TForm11(StudentRecord &record, QWidget *parent = nullptr);

    const UsbExercise &exercise() const { return m_exercise; }
    // The picture file Image1 shows.
    QString pictureFile() const { return m_pictureFile; }

    void FormCreate();
    void LoadUsbTask();
    void Ready_btnClick();
    void b_nextClick();
    void FormClose();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setPicture(const QString &file);
    void setAnswerReadOnly(bool readOnly);
    QList<QLineEdit *> answerEdits() const;

    UsbExercise m_exercise;
    QString m_pictureFile;

    QGroupBox *m_taskBox = nullptr;
    QLabel *m_taskText = nullptr;
    QLabel *m_picture = nullptr;
    QLineEdit *m_pid = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_endpoint = nullptr;
    QLineEdit *m_dataPid = nullptr;
    QLineEdit *m_data = nullptr;
    QPushButton *m_ready = nullptr;
    QPushButton *m_next = nullptr;
    QFrame *m_counters = nullptr;
    QLabel *m_givenLabel = nullptr;
    QLineEdit *m_allTasks = nullptr;
    QLabel *m_rightLabel = nullptr;
    QLineEdit *m_rightTasks = nullptr;
};
