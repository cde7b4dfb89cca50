#include "records/records_messages.h"

#include <array>

#include "locale/lang_text.h"

namespace quorvex {

namespace {

// In the order of the language list: English, Russian, German, French, Spanish, Chinese
// (traditional), Italian, Czech, Japanese, Korean.
using Row = std::array<const char*, 10>;

constexpr Row kCantFindFile = {"Can`t find the file",           "Не могу найти файл",
                               "Kann nicht finden Datei",       "Impossible de trouver le fichier",
                               "No puedo encontrar el archivo", "找不到文件",
                               "Non riesco a trovare il file",  "Soubor nelze najít",
                               "ファイルが見つかりません",      "파일을 찾을 수 없습니다"};
constexpr Row kIncorrectFile = {"The incorrect file", "Неверный файл",      "Fehlerhafte Datei",
                                "Fichier incorrect",  "Archivo incorrecto", "檔案不正確",
                                "File non corretto",  "Nesprávný soubor",   "不正なファイル",
                                "잘못된 파일"};
constexpr Row kDiskWriteError = {"Error of disk writing!",
                                 "Ошибка записи на диск!",
                                 "Fehler beim Schreiben auf die Festplatte!",
                                 "Erreur d`écriture sur le disque!",
                                 "¡Error de escritura en el disco!",
                                 "磁碟寫入錯誤！",
                                 "Errore di scrittura su disco!",
                                 "Chyba zápisu na disk!",
                                 "ディスク書き込みエラー！",
                                 "디스크 쓰기 오류!"};

const Row& RowOf(RecordsMessage message) {
  switch (message) {
    case RecordsMessage::CantFindFile:
      return kCantFindFile;
    case RecordsMessage::IncorrectFile:
      return kIncorrectFile;
    case RecordsMessage::DiskWriteError:
    default:
      return kDiskWriteError;
  }
}

}  // namespace

std::string RecordsText(RecordsMessage message) {
  if (message == RecordsMessage::CantSaveHistory) return "Cann`t save history!";
  const int language = CurrentLanguage();
  return RowOf(message)[language >= 0 && language < 10 ? language : 0];
}

}  // namespace quorvex
