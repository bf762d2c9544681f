#include "settings_table.h"

namespace settings_table {

using V = SettingsValues;

const std::array<IntValue, 3> kModes = {{
    {"OptionRandom", 0, &V::nOptionRandom},
    {"OptionLoop", 0, &V::nOptionLoop},
    {"OptionContinuous", 1, &V::nOptionContinuous},
}};

const std::array<IntValue, 14> kGeometry = {{
    {"MainX", 10, &V::nMainX},
    {"MainY", 10, &V::nMainY},
    {"PlayX", 10, &V::nPlayX},
    {"PlayY", 10, &V::nPlayY},
    {"DictX", 10, &V::nDictX},
    {"DictY", 10, &V::nDictY},
    {"TlistX", 10, &V::nTlistX},
    {"TlistY", 10, &V::nTlistY},
    {"TlistsizeX", 250, &V::nTlistSizeX},
    {"TlistsizeY", 375, &V::nTlistSizeY},
    {"ColorX", 10, &V::nColorX},
    {"ColorY", 10, &V::nColorY},
    {"TagsX", 10, &V::nTagsX},
    {"TagsY", 10, &V::nTagsY},
}};

const IntValue kZoom = {"Zoom", 1, &V::nZoom};

// The slider thumb's name alone carries the "m_" prefix; existing settings
// files hold it that way.
const std::array<ColorElement, kColorElementCount> kColorElements = {{
    {"System Menu button", "clrSysMenu", 0xFFFFFF},
    {"Minimize button", "clrSysMini", 0xFFFFFF},
    {"Close button", "clrSysClose", 0xFFFFFF},
    {"Playlist button", "clrTlist", 0x00AEFF},
    {"Dictionary button", "clrDict", 0x00AEFF},
    {"Continuous button", "clrCont", 0x00AEFF},
    {"Loop button", "clrLoop", 0x00AEFF},
    {"Random button", "clrRandom", 0x00AEFF},
    {"About button", "clrAbout", 0x00FFFF},
    {"Help button", "clrHelp", 0x00FFFF},
    {"Home button", "clrHome", 0x00C800},
    {"RW button", "clrRW", 0x00C800},
    {"Play button", "clrPlay", 0x00FF00},
    {"FF button", "clrFF", 0x00C800},
    {"End button", "clrEnd", 0x00C800},
    {"Stop button", "clrStop", 0x00FF00},
    {"Pause button", "clrPause", 0x00C800},
    {"Track Display", "clrDispTrack", 0x00AEFF},
    {"Time Display", "clrDispTime", 0xFFFFC8},
    {"Time Separator", "clrDispSep", 0x00FFFF},
    {"Dic Indicator", "clrIndDic", 0xFFC8C8},
    {"Tag Indicator", "clrIndTag", 0xFFC8C8},
    {"Vid Indicator", "clrIndVid", 0x00FFFF},
    {"Aud Indicator", "clrIndAud", 0x00FFFF},
    {"Slider Thumb", "m_clrSlider", 0x00FF00},
}};

const std::array<const char*, kTagFlagCount> kTagFlagNames = {
    "tagIART", "tagINAM", "tagIGNR", "tagICRD", "tagICMT", "tagISRC",
};

}  // namespace settings_table

namespace {

using namespace settings_table;

template <std::size_t N>
void ReadInts(ProfileStore& store, const std::array<IntValue, N>& table, SettingsValues& values) {
  for (const IntValue& item : table) {
    values.*item.field = store.GetProfileInt(kSettingsSection, item.name, item.defaultValue);
  }
}

template <std::size_t N>
void WriteInts(ProfileStore& store, const std::array<IntValue, N>& table, const SettingsValues& values) {
  for (const IntValue& item : table) store.WriteProfileInt(kSettingsSection, item.name, values.*item.field);
}

}  // namespace

SettingsValues DefaultSettings() {
  SettingsValues values;
  for (const IntValue& item : kModes) values.*item.field = item.defaultValue;
  for (const IntValue& item : kGeometry) values.*item.field = item.defaultValue;
  values.nZoom = kZoom.defaultValue;
  for (std::size_t i = 0; i < kColorElements.size(); ++i) {
    values.colors[i] = ColorTriple::FromColorRef(kColorElements[i].defaultColorRef);
  }
  values.tagFlags.fill(0);
  return values;
}

SettingsValues ReadSettings(ProfileStore& store) {
  SettingsValues values;
  ReadInts(store, kModes, values);
  ReadInts(store, kGeometry, values);
  for (std::size_t i = 0; i < kColorElements.size(); ++i) {
    const ColorElement& element = kColorElements[i];
    const int stored =
        store.GetProfileInt(kSettingsSection, element.name, static_cast<int>(element.defaultColorRef));
    values.colors[i] = ColorTriple::FromColorRef(static_cast<std::uint32_t>(stored));
  }
  for (std::size_t i = 0; i < kTagFlagNames.size(); ++i) {
    // A hand-edited 2 means shown, as a play mode's does; the tag choices'
    // boxes know only 0 and 1.
    values.tagFlags[i] = store.GetProfileInt(kSettingsSection, kTagFlagNames[i], 0) != 0 ? 1 : 0;
  }
  values.nZoom = store.GetProfileInt(kSettingsSection, kZoom.name, kZoom.defaultValue);
  if (values.nZoom < kMinZoom || values.nZoom > kMaxZoom) {
    values.nZoom = kZoom.defaultValue;
  }
  return values;
}

void WriteSettings(ProfileStore& store, const SettingsValues& values) {
  WriteInts(store, kModes, values);
  WriteInts(store, kGeometry, values);
  for (std::size_t i = 0; i < kColorElements.size(); ++i) {
    store.WriteProfileInt(kSettingsSection, kColorElements[i].name, static_cast<int>(values.colors[i].ToColorRef()));
  }
  for (std::size_t i = 0; i < kTagFlagNames.size(); ++i) {
    store.WriteProfileInt(kSettingsSection, kTagFlagNames[i], values.tagFlags[i]);
  }
  store.WriteProfileInt(kSettingsSection, kZoom.name, values.nZoom);
}
