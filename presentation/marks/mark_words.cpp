#include "presentation/marks/mark_words.h"

#include "presentation/marks/mark_style.h"
#include "presentation/marks/stale_message.h"

namespace vorbento {

QString mark_words(const FieldStore& store, Field f) {
  const Problem p = store.mark(f);
  if (p == Problem::shorter_than_motions) return motions_message(store);
  if (p != Problem::none) return problem_message(p);
  return stale_message(store, f);
}

}  // namespace vorbento
