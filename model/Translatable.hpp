// Marks texts of the model that the window shows in the user's language. The model has no Qt:
// the mark leaves the text as it is, and Qt's lupdate, which recognises the macro's name in any
// source it scans, collects the text under its context for the translators. The window then
// looks the text up with QCoreApplication::translate(context, text).
#pragma once

// Same parameter names and expansion as Qt's own definition, so that a file that includes both
// sees one identical macro.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
