#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

class ContentError;

// Helpers of the fuzz targets: each target feeds libFuzzer's input to one
// reader of content and checks a property of what the reader made of it.
namespace Fuzz {

QByteArray bytes(const uint8_t *data, size_t size);

// Ends the run with a report when a property does not hold; libFuzzer keeps the input.
void require(bool holds, const char *property);

// A scratch folder of this process, made the working folder at first use,
// so that targets can give readers relative content paths.
QString scratchFolder();
// Writes bytes to a file of the scratch folder (relative path, '/' separators) and returns its full path.
QString writeScratch(const QString &relativePath, const QByteArray &bytes);

// A refusal must name the file it refuses.
void requireNames(const ContentError &error, const QString &contentPath);

} // namespace Fuzz
