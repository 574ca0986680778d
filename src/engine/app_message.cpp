// The one home of the message box's destination.
#include "engine/app_message.h"

#include "engine/module_state.h"

namespace zemra {
namespace {

struct AppMessageState {
  AppMessageSink sink = nullptr;
};

AppMessageSink& Sink() { return ModuleState<AppMessageState>().sink; }

}  // namespace

void SetAppMessageSink(AppMessageSink sink) { Sink() = sink; }

void ShowAppMessage(std::string_view text) {
  if (Sink() != nullptr) Sink()(text);
}

}  // namespace zemra
