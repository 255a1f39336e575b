#include "savefailure.h"

#include <cerrno>

#include "circuitfile.h"

namespace vorn {

std::optional<std::string_view> SaveFailureReason(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return "Папка, в которую сохраняется файл, не найдена.";
    case EACCES:
    case EPERM:
        return "Нет прав на запись в эту папку.";
    case EROFS:
        return "Диск доступен только для чтения.";
    case ENOSPC:
    case EDQUOT:
        return "На диске не хватает места.";
    case EISDIR:
        return "Под этим именем уже есть папка.";
    case ENAMETOOLONG:
        return "Имя файла слишком длинное.";
    case EFBIG:
        return "Файл получился бы больше, чем разрешено.";
    default:
        return std::nullopt;
    }
}

std::optional<std::string_view> SaveFailureReason(const CircuitFileError& failure) {
    if (dynamic_cast<const ReadOnlyFileError*>(&failure))
        return "Файл защищён от записи; сохраните схему под другим именем командой «Сохранить как».";
    return SaveFailureReason(failure.code().value());
}

}  // namespace vorn
