#pragma once

#include <array>
#include <string_view>

namespace veldarin {

// Identifies one of a monster's 24 text fields; 0 means no field.
using FieldId = int;

inline constexpr FieldId FIELD_NONE = 0;
inline constexpr FieldId FIELD_NAME = 101;
inline constexpr FieldId FIELD_TYPE = 102;
inline constexpr FieldId FIELD_HIT_DICE = 103;
inline constexpr FieldId FIELD_HIT_POINTS = 104;
inline constexpr FieldId FIELD_INITIATIVE = 105;
inline constexpr FieldId FIELD_SPEED = 106;
inline constexpr FieldId FIELD_AC = 107;
inline constexpr FieldId FIELD_ATTACKS = 108;
inline constexpr FieldId FIELD_DAMAGE = 109;
inline constexpr FieldId FIELD_ABBR_ATTACKS = 110;
inline constexpr FieldId FIELD_FACE_REACH = 111;
inline constexpr FieldId FIELD_SPECIAL_ATTACKS = 112;
inline constexpr FieldId FIELD_SPECIAL_QUALITIES = 113;
inline constexpr FieldId FIELD_SAVES = 114;
inline constexpr FieldId FIELD_ABILITIES = 115;
inline constexpr FieldId FIELD_SKILLS = 116;
inline constexpr FieldId FIELD_FEATS = 117;
inline constexpr FieldId FIELD_CLIMATE_TERRAIN = 118;
inline constexpr FieldId FIELD_ORGANIZATION = 119;
inline constexpr FieldId FIELD_CHALLENGE_RATING = 120;
inline constexpr FieldId FIELD_TREASURE = 121;
inline constexpr FieldId FIELD_ALIGNMENT = 122;
inline constexpr FieldId FIELD_ADVANCEMENT = 123;
// Only 3.5 tables have this row, under its own label (tried apart from the others).
inline constexpr FieldId FIELD_BASE_ATTACK = 124;

inline constexpr int FIELD_COUNT = 24;

// One row of the catalogue: the label heads the field's row in an input table and its line in
// the full listing; the abbreviation prefixes it in the abbreviated stat line ("" for none).
struct FieldInfo {
  FieldId id;
  std::string_view label;
  std::string_view abbreviation;
};

// In ascending id order, so the row of id k stands at position k - FIELD_NAME.
inline constexpr std::array<FieldInfo, FIELD_COUNT> fieldTable{{
    {FIELD_NAME, "Name", ""},
    {FIELD_TYPE, "Type", ""},
    {FIELD_HIT_DICE, "Hit Dice", "HD"},
    {FIELD_HIT_POINTS, "Hit Points", "hp"},
    {FIELD_INITIATIVE, "Initiative", "Init"},
    {FIELD_SPEED, "Speed", "Spd"},
    {FIELD_AC, "AC", "AC"},
    {FIELD_ATTACKS, "Attacks", "Attacks"},
    {FIELD_DAMAGE, "Damage", "Damage"},
    {FIELD_ABBR_ATTACKS, "AbbrAttacks", "Atks"},
    {FIELD_FACE_REACH, "Face/Reach", "Face/Reach"},
    {FIELD_SPECIAL_ATTACKS, "Special Attacks", "SA"},
    {FIELD_SPECIAL_QUALITIES, "Special Qualities", "SQ"},
    {FIELD_SAVES, "Saves", "SV"},
    {FIELD_ABILITIES, "Abilities", "Abilities"},
    {FIELD_SKILLS, "Skills", "Skills"},
    {FIELD_FEATS, "Feats", "Feats"},
    {FIELD_CLIMATE_TERRAIN, "Climate/Terrain", ""},
    {FIELD_ORGANIZATION, "Organization", ""},
    {FIELD_CHALLENGE_RATING, "Challenge Rating", "CR"},
    {FIELD_TREASURE, "Treasure", ""},
    {FIELD_ALIGNMENT, "Alignment", "AL"},
    {FIELD_ADVANCEMENT, "Advancement", ""},
    {FIELD_BASE_ATTACK, "Base Attack/Grapple", "Base Atk"},
}};

// Position (0 to 23) of the catalogue row with this id, or -1 when there is none.
int fieldIndex(FieldId id);

// Id of the catalogue row at this position; FIELD_NONE for a position outside 0 to 23.
FieldId fieldIdAt(int position);

}  // namespace veldarin
