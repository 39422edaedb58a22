// SPDX-License-Identifier: MIT
#include "cli/system_error_text.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace isr::cli {

namespace {

std::string_view OwnWords(int error) {
    switch (error) {
        case ENOENT:
            return "no existe el archivo o el directorio";
        case EACCES:
        case EPERM:
            return "permiso denegado";
        case EISDIR:
            return "es un directorio";
        case ENOTDIR:
            return "una parte de la ruta no es un directorio";
        case ENOSPC:
            return "no queda espacio en el disco";
        case EDQUOT:
            return "se agotó la cuota de disco";
        case EROFS:
            return "el sistema de archivos es de sólo lectura";
        case EPIPE:
            return "la tubería está cerrada: quien leía dejó de leer";
        case EBADF:
            return "el descriptor de archivo está cerrado";
        case EIO:
            return "error de entrada/salida del dispositivo";
        case EFBIG:
            return "el archivo sería demasiado grande";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
        case ELOOP:
            return "demasiados enlaces simbólicos";
        case EMFILE:
        case ENFILE:
            return "demasiados archivos abiertos";
        case ETXTBSY:
            return "el archivo está en uso";
        default:
            return {};
    }
}

}  // namespace

std::string SystemErrorText(int error) {
    if (const auto words = OwnWords(error); !words.empty()) return std::string(words);
    const char* name = strerrorname_np(error);
    return "error del sistema " + std::string(name != nullptr ? name : "desconocido") + " (" +
           std::to_string(error) + ')';
}

}  // namespace isr::cli
