#pragma once

#include <QByteArray>
#include <QString>

// Text of compiled help pages and lists, which come in UTF-8 or in Windows-1251.
namespace HtmlText {

bool isValidUtf8(const QByteArray &bytes);
// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), else Windows-1251.
QString decodeText(const QByteArray &bytes);
// The charset a page declares in its head (<meta charset=...> or a content type), lower case; empty when none.
QString declaredCharset(const QByteArray &bytes);
// A page by its declared charset: utf-8 or windows-1251; a page that declares
// nothing usable is read as UTF-8 when valid, else as Windows-1251.
QString decodePage(const QByteArray &bytes);
// Character references of attribute values: &amp; &lt; &gt; &quot; &apos; &nbsp; &#NN; &#xHH;.
QString decodeEntities(const QString &text);

} // namespace HtmlText
