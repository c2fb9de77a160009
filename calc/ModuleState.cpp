#include "ModuleState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace calc {

ModuleState::ModuleState() = default;
ModuleState::~ModuleState() = default;

void ModuleState::ReadTempDir() {
    const char* value = std::getenv("TEMP");
    TempDir = value != nullptr ? value : "";
}

std::string ModuleState::ResultFile() {
    if (!TempDir.empty()) return TempDir + "/kelmo.out";

    // Without TEMP the file would land in the root directory, which is either not writable or
    // shared with every other user; a directory of our own avoids both.
    if (!privateDir_) {
        privateDir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/gui-kelmo-XXXXXX");
        if (privateDir_->isValid()) {
            QFile::setPermissions(privateDir_->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    if (!privateDir_->isValid()) return {};
    return privateDir_->filePath("kelmo.out").toStdString();
}

}  // namespace calc
