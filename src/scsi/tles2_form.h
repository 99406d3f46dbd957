#pragma once

#include "scsi/descriptorexercise.h"

#include <QDialog>
#include <array>

class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Task 2 of the SCSI trainer: the student chooses the size of a command
// descriptor block, lays out its fields and types its bytes in binary. Reads
// its task when created; a missing task file or a bad record escapes the
// constructor as a ContentError, so the window does not open and the caller's
// guard names the file.
class Tles2_form : public QDialog {
    Q_OBJECT
public:
    static constexpr int kReadyTop = 450;
    static constexpr int kReadyHeight = 100;

    Tles2_form(StudentRecord &record, QWidget *parent = nullptr);
    ~Tles2_form() override;

    const DescriptorExercise &exercise() const { return m_exercise; }
    // What the controls hold now.
    DescriptorAnswer answer() const;

    void FormCreate();
    void LoadDescriptorTask();
    void les2_rg1Click();
    void Button1Click();
    void b_nextClick();
    void FormClose();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildTaskAndSize();
    void buildLayoutRows();
    void buildValueEdits();
    void buildCountersAndButtons();
    QFont boldFont() const;
    void showLayout(int sizeCode);
    void placeBitLabels();
    int chosenSize() const;

    DescriptorExercise m_exercise;
    QLabel *m_text = nullptr;
    std::array<QRadioButton *, DescriptorLayout::kSizeCount> m_sizes{};
    std::array<QComboBox *, DescriptorLayout::kRowCount> m_names{};
    std::array<QComboBox *, DescriptorLayout::kRowCount> m_numbers{};
    std::array<QSpinBox *, DescriptorLayout::kRowCount> m_bits{};
    std::array<QLineEdit *, DescriptorLayout::kByteEdits> m_values{};
    std::array<QLabel *, DescriptorLayout::kByteEdits> m_byteLabels{};
    std::array<QLabel *, 8> m_bitLabels{}; // bit 7 first
    QPushButton *m_ready = nullptr;
    QPushButton *m_next = nullptr;
    QLineEdit *m_allTasks = nullptr;
    QLineEdit *m_rightTasks = nullptr;
};
