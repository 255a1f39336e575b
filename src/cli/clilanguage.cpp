#include "clilanguage.h"

#include <filesystem>
#include <system_error>

#include <QFile>

#include "uilanguage.h"

namespace vorn {

void ApplyLocaleLanguage() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    ApplyLanguage(ChooseLanguage(LanguageChoice::System, SystemLanguages()),
                  TranslationsFolder(QFile::decodeName(self.parent_path().c_str())));
}

}  // namespace vorn
