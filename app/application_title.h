#pragma once
// The application title that every message box carries: derived from the executable's file name,
// not from the window's caption.

#include <QString>

namespace difonik {

// The part after the last "/", cut before its first full stop, every character after the first
// in lower case: "/opt/difonik/difonik" and "DIFONIK.EXE" give "difonik" and "Difonik".
QString applicationTitle(const QString& executablePath);

}  // namespace difonik
