// Placeholder: the document is being built.
#include "ChannelDocument.h"

TChannelDocument::TChannelDocument() = default;
QString TChannelDocument::Record(int, int) const { return QString(); }
