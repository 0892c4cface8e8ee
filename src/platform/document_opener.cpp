#include "platform/document_opener.h"

#include <QDesktopServices>

namespace tamrel {

bool QtDocumentOpener::Open(const QUrl& address) {
  return QDesktopServices::openUrl(address);
}

}  // namespace tamrel
