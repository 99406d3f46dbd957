#pragma once

#include <QWidget>

// The multimedia lecture window: the introductory lecture video with its
// slides and glossary lines. It has no frame; its exit picture leads back to
// the textbook.
class TFLection : public QWidget {
    Q_OBJECT
public:
    explicit TFLection(QWidget *parent = nullptr);
};
