// Rich-text pages: an RTF file read into a text view.
#pragma once

#include <QString>

class QTextDocument;

namespace vorn {

// Replaces the document's contents with the RTF file at path. Returns false,
// leaving the document empty, when the file cannot be read; damaged RTF is
// shown as far as it can be read.
bool LoadRtfFile(QTextDocument& document, const QString& path);

// The same from RTF text already in memory.
void LoadRtfText(QTextDocument& document, const QByteArray& rtf);

}  // namespace vorn
