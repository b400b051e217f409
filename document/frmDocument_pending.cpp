// Operations of the document whose code is still to be written: validation,
// the editors, row operations, mass edits and the imports. Each keeps its
// place in the document interface and is replaced by its own file when it is
// written; until then it changes nothing, and the checks report that all is well.

#include "document/frmDocument.h"

QString frmDocument::FixTag(const QString& name) const { return name; }

void frmDocument::TravelPlus(const QString& /*path*/) {}
