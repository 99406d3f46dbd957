#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>

// Plain texts (X.txt, X.isa, X.dgr): UTF-8 with LF in the source, Windows-1251 with CR LF in
// the package. The line structure is kept as written, including whether the
// last line has a line break.
namespace TextSource {

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace TextSource
