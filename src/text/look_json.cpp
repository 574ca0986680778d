// The screen's look for the page, from runtime/screen_look.h.
#include "text/look_json.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "data/fighter.h"
#include "runtime/screen_look.h"

namespace zemra {
namespace {

using nlohmann::json;

json BoxJson(const Box& box) { return json::array({box.left, box.top, box.width, box.height}); }

json ColourJson(const Rgb& colour) { return json::array({colour.r, colour.g, colour.b}); }

json ColourJson(const std::optional<Rgb>& colour) { return colour ? ColourJson(*colour) : json(nullptr); }

const char* AlignName(TextAlign align) {
  switch (align) {
    case TextAlign::TopCentre:
      return "topCentre";
    case TextAlign::Centre:
      return "centre";
    case TextAlign::TopLeft:
      break;
  }
  return "topLeft";
}

json LookJson(const ControlLook& look) {
  return json{{"box", BoxJson(look.box)},       {"px", look.px},
              {"bold", look.bold},              {"italic", look.italic},
              {"align", AlignName(look.align)}, {"wrap", look.wrap},
              {"background", ColourJson(look.background)}, {"text", ColourJson(look.text)}};
}

json LookJson(Control control) { return LookJson(LookOf(control)); }

json SchemeJson(SwordScheme scheme) {
  const SchemeColours& colours = SchemeOf(scheme);
  return json{{"panel", ColourJson(colours.panel)},          {"label", ColourJson(colours.label)},
              {"labelText", ColourJson(colours.label_text)}, {"highlight", ColourJson(colours.highlight)},
              {"infoPanel", ColourJson(colours.info_panel)}, {"infoLabel", ColourJson(colours.info_label)},
              {"infoText", ColourJson(colours.info_text)}};
}

// One fighter panel: the player's, which the enemy's repeats.
json FighterJson() {
  json cards = json::array();
  json frames = json::array();
  for (int k = 0; k < kHandSize; ++k) {
    cards.push_back(LookJson(Offset(Control::LabSelfCard0, k)));
    frames.push_back(BoxJson(HandFrameBox(k)));
  }
  return json{{"name", LookJson(Control::LabSelfName)},
              {"life", LookJson(Control::LabSelfHP)},
              {"hit", LookJson(Control::LabSelfReliability)},
              {"max", LookJson(Control::LabSelfReliabilityMax)},
              {"card", LookJson(Control::LabSelfCardCurrent)},
              {"currentFrame", BoxJson(LookOf(Control::ShapeSelfCardCurrent).box)},
              {"caption", LookJson(HitCaptionLook())},
              {"cards", cards},
              {"frames", frames}};
}

}  // namespace

std::string ScreenLookJson() {
  json swords = json::array();
  for (int i = 0; i < kSwordLabelCount; ++i) swords.push_back(LookJson(SwordLabel(i)));
  json commands = json::array();
  for (int i = 0; i < kCommandButtonCount; ++i) commands.push_back(LookJson(CommandButton(i)));
  const FrameLook& frame = CardFrameLook();
  const BevelLook& bevel = PanelBevelLook();
  const json look{
      {"window", json::array({kClientWidth, kClientHeight})},
      {"pages",
       {{"title", LookJson(Control::PageTitle)},
        {"name", LookJson(Control::PageInputName)},
        {"main", LookJson(Control::PageMain)}}},
      {"pictures",
       {{"title", LookJson(Control::PntTitle)},
        {"name", LookJson(Control::ImgInputName)},
        {"main", LookJson(Control::ImgMainImage)}}},
      {"nameLead", LookJson(Control::LabInputName)},
      {"nameEdit", LookJson(Control::EditInputName)},
      {"nameButton", LookJson(Control::BtnInputName)},
      {"panels",
       {{"sword", LookJson(Control::PanelMainSword)},
        {"image", LookJson(Control::PanelMainImage)},
        {"enemy", LookJson(Control::PanelMainEnemy)},
        {"self", LookJson(Control::PanelMainSelf)},
        {"console", LookJson(Control::PanelMainIF)},
        {"info", LookJson(Control::PanelMainSwordInfo)}}},
      {"fighter", FighterJson()},
      {"swords", swords},
      {"consoleText", LookJson(Control::LabMainText)},
      {"commands", commands},
      {"infoText", LookJson(Control::LabSwordInfo)},
      {"schemes", {{"self", SchemeJson(SwordScheme::Self)}, {"enemy", SchemeJson(SwordScheme::Enemy)}}},
      {"cardFrame", {{"fill", ColourJson(frame.fill)}, {"pen", ColourJson(frame.pen)}, {"penWidth", frame.pen_width}}},
      {"bevel", {{"light", ColourJson(bevel.light)}, {"shadow", ColourJson(bevel.shadow)}, {"ring", bevel.ring}}},
  };
  return look.dump();
}

}  // namespace zemra
