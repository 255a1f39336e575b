#include "savefailure.h"

#include <cerrno>

#include "circuitfile.h"
#include "translate.h"

namespace vorn {

std::optional<std::string> SaveFailureReason(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return Tr("SaveFailure", "Папка, в которую сохраняется файл, не найдена.");
    case EACCES:
    case EPERM:
        return Tr("SaveFailure", "Нет прав на запись в эту папку.");
    case EROFS:
        return Tr("SaveFailure", "Диск доступен только для чтения.");
    case ENOSPC:
    case EDQUOT:
        return Tr("SaveFailure", "На диске не хватает места.");
    case EISDIR:
        return Tr("SaveFailure", "Под этим именем уже есть папка.");
    case ENAMETOOLONG:
        return Tr("SaveFailure", "Имя файла слишком длинное.");
    case EFBIG:
        return Tr("SaveFailure", "Файл получился бы больше, чем разрешено.");
    default:
        return std::nullopt;
    }
}

std::optional<std::string> SaveFailureReason(const CircuitFileError& failure) {
    if (dynamic_cast<const ReadOnlyFileError*>(&failure))
        return Tr("SaveFailure", "Файл защищён от записи; сохраните схему под другим именем командой «Сохранить как».");
    return SaveFailureReason(failure.code().value());
}

}  // namespace vorn
