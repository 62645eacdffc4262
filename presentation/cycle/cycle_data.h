// One motion cycle as the pages show it: accelerate to G1, run at G1, brake
// to rest, the same at G0, then rest until the cycle time; each quantity with
// the text its field shows, that text's number, and the words of its mark.
// The diagram and its table draw nothing else: no figure of their own.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "core/field_store.h"

namespace vorbento {

struct CycleQuantity {
  Field field{};
  QString symbol;  // as the page writes it, "M_lG1"; a minus before it where the motor gives it the other sign
  QString text;    // exactly as the field shows it
  std::optional<double> value;  // the text's number, signed as drawn; none if the text is no number
  QString words;                // the mark's words, as its tooltip says them; empty when there is nothing to say
  bool stale = false;           // the words say why a result lags the inputs, not what is wrong with a text

  bool marked() const { return !words.isEmpty(); }
  bool operator==(const CycleQuantity&) const = default;
  // The text with the sign of the symbol: "−0.7129" for −M_lG1 = 0.7129.
  QString signed_text() const;
};

enum class Speed { rest, g1, g0 };

struct CycleSegment {
  QString name;  // "Gyorsítás G1-re"
  CycleQuantity duration;
  CycleQuantity torque;
  Speed from = Speed::rest, to = Speed::rest;

  // A duration that is no number or below zero, or a torque that is no
  // number, leaves the segment out of the picture.
  bool drawn() const { return duration.value && *duration.value >= 0 && torque.value.has_value(); }
  bool operator==(const CycleSegment&) const = default;
};

struct CycleNote {
  QString symbol;
  QString words;
  bool stale = false;
  bool operator==(const CycleNote&) const = default;
};

struct CycleData {
  std::array<CycleSegment, 6> segments;
  CycleQuantity speed_g1, speed_g0;
  CycleQuantity peak, rated, average;  // the motor's maximum and rated torque, the cycle's average
  CycleQuantity cycle_time;
  // What the picture must say under it: every marked quantity with its
  // words, and every one left out of the picture.
  std::vector<CycleNote> notes;

  const CycleQuantity* speed(Speed s) const {
    return s == Speed::g1 ? &speed_g1 : s == Speed::g0 ? &speed_g0 : nullptr;
  }
  // Where the last drawn segment ends, in seconds.
  double segments_end() const;
  // Where the time axis ends: the later of the cycle time and the segments' end.
  double time_span() const;
  // The same texts and marks: the same picture.
  bool operator==(const CycleData&) const = default;
};

// The cycle from the store's texts and marks.
CycleData cycle_data(const FieldStore& store);

// Said after the words of a quantity the picture leaves out: the quantity
// itself, or the whole segment whose duration or torque it is.
QString left_out_words();
QString segment_left_out_words();

}  // namespace vorbento
