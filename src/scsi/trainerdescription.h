#pragma once

#include "scsi/studentrecord.h"

#include <QColor>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QWidget;
class RegistrationDialog;
class StatisticsDialog;

// What sets one trainer's home window apart; the rest of the window is the same
// for the SCSI and the USB trainer (TrainerMainWindow).
struct TrainerDescription {
    // A window of the trainer that works on the student record, opened modally.
    using Exercise = std::function<std::unique_ptr<QDialog>(StudentRecord &record, QWidget *parent)>;
    // A dialog made with the home window as its parent.
    template <typename Dialog> using Factory = std::function<Dialog *(QWidget *parent)>;

    struct Look {
        QString name;  // the window's objectName
        QString title; // its caption, also shown in large type
        QColor background;
        QColor titleColour;
    };
    struct Task {
        QString caption; // of bb_les<n> on the task panel and m_les<n> in the "Задания" menu
        Exercise window;
    };
    // bb_les opens the only task, or shows the task panel when there are more.
    struct Tasks {
        QString buttonCaption; // bb_les
        QList<Task> list;
        Exercise questions; // BitBtn1 and m_quest
    };
    // The reference help: bb_<subject> on the information panel and
    // m_h_<subject> in the "Помощь" menu.
    struct Reference {
        QString subject;
        QString caption; // of the menu entry
        QString helpFile;
    };
    // How to work with the trainer: bb_def on the information panel.
    struct Procedure {
        QString caption;
        QString helpFile;
    };
    struct Dialogs {
        Factory<QDialog> about;
        // The trainer's own dialogs, made when the window set gives none.
        Factory<RegistrationDialog> registration;
        Factory<StatisticsDialog> statistics;
    };

    Look look;
    Tasks tasks;
    Reference reference;
    Procedure procedure;
    Dialogs dialogs;
};

template <typename Window> TrainerDescription::Exercise exerciseOf()
{
    return [](StudentRecord &record, QWidget *parent) { return std::make_unique<Window>(record, parent); };
}

template <typename Dialog> auto dialogOf()
{
    return [](QWidget *parent) { return new Dialog(parent); };
}
