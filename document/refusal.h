// Why a file is not a design: a kind, with the key, the place or the limit it
// concerns. The file layer decides only this; the words a user reads are
// made above it, from these facts alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorbento {

struct Refusal {
  enum class Kind : std::uint8_t {
    none,
    // the file itself (`path`)
    no_such_file,
    not_permitted,
    is_folder,
    not_regular,
    unreadable,
    file_too_large,  // `size`: its size in bytes, 0 when it grew while read
    // its bytes
    too_large,
    not_utf8,         // at `line`, `column`
    json_ends_early,  // at `line`, `column`
    json_syntax,      // at `line`, `column`
    empty,
    number_too_large,  // `key`: the number as the file writes it, "" when unknown
    // its shape
    not_an_object,  // `found`
    duplicate_key,  // `key`
    no_format,
    not_vorbento,
    no_version,
    version_not_integer,  // `key`: the value as JSON writes it
    newer_version,        // `version`: which, when it is small enough to say
    no_such_version,      // `key`: the value as JSON writes it
    unknown_key,          // `key`
    no_inputs,
    inputs_not_object,  // `found`
    unknown_field,      // `key`
    field_not_text,     // `key`, `found`
    missing_field,      // `key`
    // the motor and screw check's data (version 2)
    no_checks,
    checks_not_object,  // `found`
    unknown_check,      // `key`
    check_not_text,     // `key`, `found`
    missing_check,      // `key`
    unknown_bearing,    // `key`: the text given
  };
  // What kind of JSON value stood where another was expected.
  enum class Json : std::uint8_t { object, array, string, boolean, null, number };

  Kind kind = Kind::none;
  std::string key{};
  std::size_t line = 0, column = 0;  // from 1; columns in characters
  Json found = Json::null;
  std::uintmax_t size = 0;
  std::optional<long long> version{};
  std::string path{};  // UTF-8, as the file was named

  explicit operator bool() const { return kind != Kind::none; }
};

}  // namespace vorbento
