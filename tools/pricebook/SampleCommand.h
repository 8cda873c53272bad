#pragma once

#include <QString>
#include <QTextStream>

// Writes the sample price books of the ten categories below `folder`, at the
// default paths "kanzai/haikan1.FDA" … "kanzai/haikan10.FDA". A book that
// exists is left as it is. One line per book on `out`; throws FileError when
// a book cannot be written (the books written before it stay).
int WriteSampleBooks(const QString& folder, QTextStream& out);
