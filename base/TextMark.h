#pragma once

#include "base/CatalogueText.h"

// Marks a catalogue text for Qt's lupdate, which collects the texts to
// translate into the translation sources. The mark leaves the text as it is,
// so libraries that include no Qt header can mark their texts too. The
// definition is Qt's own, token for token, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
