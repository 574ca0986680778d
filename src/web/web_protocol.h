// The page's side of the core's calls in structured form: an input as a JSON
// object ({"kind": "command", "index": 3, "caption": "徘徊"}), a key as the
// desk's rule takes it, and the rule's answer; web/js/core.d.ts declares the
// same shapes for the page's modules.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "desk/desk_keys.h"
#include "desk/replay_pace.h"
#include "game/input.h"
#include "text/text_host.h"

namespace zemra {

// The kinds are the recording line's verbs: title, name, answer, command,
// click, hover, leave, step, rolls, chapter.
nlohmann::json InputToJson(const Input& input);
// nullopt for an object no input has.
std::optional<Input> InputFromJson(const nlohmann::json& object);

// {"key": "Enter"|"Space"|"Escape"|"Digit"|"ArrowUp"|…|"Tab"|"BackTab"|"F1"|"M"|other,
//  "digit", "repeat", "modified", "typing", "onGame", "fromRow"}
KeyPress KeyPressFromJson(const nlohmann::json& object);
nlohmann::json AnswerToJson(const DeskAnswer& answer);
// The screen as the page shows it, from the text host's record of it.
DeskScreen PageDeskScreen(const TextHost& host);

nlohmann::json TurnToJson(const ReplayTurn& turn);

// A text made JSON, invalid UTF-8 replaced rather than thrown on.
std::string Dump(const nlohmann::json& value);

}  // namespace zemra
