// The one home of the message box's destination.
#include "engine/app_message.h"

namespace zemra {
namespace {

AppMessageSink& Sink() {
  static AppMessageSink sink = nullptr;
  return sink;
}

}  // namespace

void SetAppMessageSink(AppMessageSink sink) { Sink() = sink; }

void ShowAppMessage(std::string_view text) {
  if (Sink() != nullptr) Sink()(text);
}

}  // namespace zemra
