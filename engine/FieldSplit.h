#pragma once
// Splitting a code page 932 record into fields at a one-byte delimiter, and
// counting its fields. A double-byte character is never split, and its bytes are
// never taken for a delimiter or a quote. Double quotes switch a quoted section
// on and off, in which the delimiter does not split; the quotes stay part of the
// field. A doubled quote becomes one quote, except that it disappears at the
// end of the record or before a delimiter. The ignore-quotes option changes
// neither field values nor counts, so neither function takes it.

#include <string>
#include <string_view>
#include <vector>

// Makes list exactly fieldCount entries: the fields of record in order, and
// empty entries for fields the record does not have. Fields beyond fieldCount
// are left out. The entries' storage is reused from call to call, so splitting
// record after record into the same list allocates nothing once it has grown.
// Returns the number of fields record holds (0 for an empty record), which may
// exceed fieldCount.
int SplitFields(std::string_view record, std::vector<std::string>& list, int fieldCount, char delimiter);

// The number of fields of record: 0 for an empty record, otherwise the number of
// delimiters outside quoted sections plus 1.
int CountFields(std::string_view record, char delimiter);
