#pragma once

#include <QString>

// The ISA bus cycles the cycle-parameter dialog can select, each with its title,
// description text and timing diagram, and the four AT-bus comparison tabs.
namespace CycleCatalogue {

// Item indexes of the dialog's five groups; None where nothing is chosen.
constexpr int None = -1;
enum Kind { ResourceAccess = 0, Refresh = 1, Dma = 2, BusCapture = 3 };
enum Resource { Memory = 0, IoDevice = 1 };
enum Width { Bits8 = 0, Bits16 = 1 };
enum Direction { Read = 0, Write = 1 };
enum Length { ZeroWait = 0, Normal = 1, Extended = 2 };

struct Choice {
    int kind = None;
    int resource = None;
    int width = None;
    int direction = None;
    int length = None;
};

struct Entry {
    // The key; None where the choice takes no part in it.
    int kind;
    int resource;
    int width;
    int direction;
    int length;
    const char *title;
    const char *description;
    const char *diagram;

    QString titleText() const { return QString::fromUtf8(title); }
    QString descriptionPath() const { return QString::fromUtf8(description); }
    QString diagramPath() const { return QString::fromUtf8(diagram); }
    // Resource-access cycles offer the AT comparison.
    bool offersAtComparison() const { return kind == ResourceAccess; }
};

struct AtTab {
    const char *caption;
    const char *description;
    const char *diagram;

    QString captionText() const { return QString::fromUtf8(caption); }
    QString descriptionPath() const { return QString::fromUtf8(description); }
    QString diagramPath() const { return QString::fromUtf8(diagram); }
};

// The entry whose key matches the choice, or nullptr when a needed choice is
// missing or the combination does not exist (an 8-bit or I/O cycle without wait states).
const Entry *find(const Choice &choice);
int entryCount();
const Entry &entry(int index);

constexpr int AtTabCount = 4;
const AtTab &atTab(int index);
// The AT tab for a resource and width: 8-bit memory 0, 8-bit I/O 1, 16-bit memory 2,
// 16-bit I/O 3; None when either is not chosen.
int atTabFor(int resource, int width);

} // namespace CycleCatalogue
