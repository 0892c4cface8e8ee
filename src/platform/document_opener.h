#pragma once
// Opening a document or a link in the desktop's own program (the theory
// manual in the PDF viewer, the about box's web page and mail address) as
// a service, so that tests never start a viewer.

#include <QUrl>

namespace tamrel {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Hands the address to the desktop. False when the desktop reports that
  // it could not open it; a failure of the service itself is thrown.
  virtual bool Open(const QUrl& address) = 0;
};

// QDesktopServices::openUrl.
class QtDocumentOpener : public DocumentOpener {
 public:
  bool Open(const QUrl& address) override;
};

}  // namespace tamrel
