// Must not build: a switch on the record kinds that misses one, as the kind table would
// be if a kind were added to RecordKind and not described. tests/CMakeLists.txt builds it
// and expects the compiler to name the missing kind.
#include "workspace/record_kind.h"

int describedKinds(lancefall::RecordKind kind)
{
    switch (kind) {
    case lancefall::RecordKind::Troop:
        return 0;
    case lancefall::RecordKind::PartyTemplate:
        return 1;
    }
    return -1;
}
