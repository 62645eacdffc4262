// The words of a refused file: the sentences the user has always read.
#include <gtest/gtest.h>

#include "presentation/files/refusal_words.h"

namespace vorbento {
namespace {

using K = Refusal::Kind;

TEST(RefusalWords, SayTheFaultWithItsKeyPlaceOrLimit) {
  const struct {
    Refusal refusal;
    const char* words;
  } cases[] = {
      {{.kind = K::file_too_large, .size = 67108865, .path = "/t/big.vorbento"},
       "Nem nyitható meg: „/t/big.vorbento”. A fájl túl nagy (67108865 bájt): legfeljebb 64 MiB-os dokumentumot "
       "nyit meg a program."},
      {{.kind = K::is_folder, .path = "/t"}, "Nem nyitható meg: „/t”. Ez egy mappa, nem fájl."},
      {{.kind = K::not_utf8, .line = 6, .column = 17},
       "A fájl nem UTF-8 kódolású szöveg: érvénytelen bájt a fájl 6. sorának 17. oszlopában."},
      {{.kind = K::json_ends_early, .line = 5, .column = 5},
       "A fájl nem érvényes JSON: váratlanul véget ér (a fájl 5. sorának 5. oszlopában)."},
      {{.kind = K::newer_version, .version = 3},
       "A dokumentumot egy újabb Vorbento készítette (a formátum 3. változatával); ez a program az 1. és a 2. "
       "változatot olvassa."},
      {{.kind = K::newer_version},
       "A dokumentumot egy újabb Vorbento készítette; ez a program az 1. és a 2. változatot olvassa."},
      {{.kind = K::version_not_integer, .key = "1.5"}, "A „version” értéke nem egész szám: 1.5."},
      {{.kind = K::field_not_text, .key = "vg1", .found = Refusal::Json::null},
       "Egy mező értéke nem szöveg, hanem null: „vg1” (minden mező értéke idézőjelek közé írt szöveg)."},
      {{.kind = K::unknown_field, .key = std::string(41, 'x') + "ő"},
       "Ismeretlen mező az „inputs” objektumban: „xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…”."},
  };
  for (const auto& c : cases) EXPECT_EQ(refusal_words(c.refusal).toStdString(), c.words);
}

}  // namespace
}  // namespace vorbento
