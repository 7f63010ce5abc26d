// Document files: SVG with the exact data in attributes of our own.
#include "host_model.h"

HostDocument* ReadSvgDocument(const std::string&, std::string* error) {
  if (error) *error = "documents cannot be read yet";
  return nullptr;
}

bool WriteSvgDocument(HostDocument*, const std::string&, std::string* error) {
  if (error) *error = "documents cannot be written yet";
  return false;
}
