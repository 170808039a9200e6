#pragma once
#include <QStringList>
#include <QWidget>

#include "AppContext.h"

namespace tamb {

// Never shown: holds the base folder, the sound players and the lists of
// text lines (the level in play, the level being edited, the configuration).
class TDataForm : public QWidget {
    Q_OBJECT
public:
    explicit TDataForm(AppContext& ctx);

    // The current directory at start-up, without a final separator.
    QString baseFolder() const { return baseFolder_; }

    QStringList LevelData;
    QStringList EditorListBox;
    QStringList LB1;

private:
    AppContext& ctx_;
    QString baseFolder_;
};

}  // namespace tamb
