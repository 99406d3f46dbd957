#pragma once

#include "platform/metafile.h"

#include <QWidget>

// A picture box showing a metafile.
class MetafileView : public QWidget {
    Q_OBJECT
public:
    // NaturalTopLeft: the picture's own size from the top-left corner, clipped
    // by the box; Stretch: the picture fills the box.
    enum class Fit { NaturalTopLeft, Stretch };

    explicit MetafileView(QWidget *parent = nullptr);

    void setFit(Fit fit);
    void setMetafile(const Metafile &metafile);
    void clear();
    const Metafile &metafile() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Metafile m_metafile;
    Fit m_fit = Fit::NaturalTopLeft;
};
