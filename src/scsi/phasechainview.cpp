#include "scsi/phasechainview.h"

#include "scsi/phasechainlayout.h"
#include "scsi/phaseexercise.h"

#include <QPainter>

PhaseChainView::PhaseChainView(const PhaseExercise &exercise, QWidget *parent)
    : QWidget(parent)
    , m_exercise(exercise)
{
    setObjectName(QStringLiteral("Main_Box"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PhaseChainView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PhaseChainLayout::paint(painter, PhaseChainLayout::layout(m_exercise.steps(), m_exercise.parameters()),
                            palette().color(QPalette::Button));
}
