// The English edition of a data file or folder. The help file, the theory
// pages and the ready tasks keep their English editions in an "en" folder
// beside the Russian ones (help/en/help.hlp, help/en/n1.rtf,
// examples/tasks/en/); the program uses them when it speaks English and they
// are there, and the Russian ones otherwise, so that a missing translation
// still leaves the learner a page to read.
#pragma once

#include <QLocale>
#include <QString>

namespace vorn {

// <folder>/en/<name> when `language` is English and that file or folder
// exists, else <folder>/<name>. An empty name stands for the folder itself.
QString LanguagePath(const QString& folder, const QString& name, QLocale::Language language);

// The same for the program's language, the default locale's (QLocale()),
// which the start-up sets from the language setting.
QString LanguagePath(const QString& folder, const QString& name = {});

}  // namespace vorn
