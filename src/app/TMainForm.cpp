#include "TMainForm.h"

#include <QLabel>
#include <QTimer>

namespace tamb {

TMainForm::TMainForm(AppContext& ctx) : ctx_(ctx) {
    KladsLabel = new QLabel(QStringLiteral("Klads"), this);
    LivesLabel = new QLabel(QStringLiteral("Lives"), this);
    Kirp = new QTimer(this);
    AnimationTimer = new QTimer(this);
    setUpGameThreadParts();
}

void TMainForm::SetLevel() {}
void TMainForm::Playsound(const QString&) {}
void TMainForm::KladsLabelUpdate() {}
void TMainForm::LivesLabelUpdate() {}

}  // namespace tamb
