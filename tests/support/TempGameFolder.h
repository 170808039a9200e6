#pragma once
#include <QString>
#include <QTemporaryDir>

namespace tamb::test {

// An empty temporary folder that is the current directory while this object
// lives: the forms take the current directory as their game folder.
class TempGameFolder {
public:
    TempGameFolder();
    ~TempGameFolder();
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace tamb::test
