#pragma once

#include "PlanDePanne.h"

// A SQLite VFS that wraps the default one and fails the I/O call its plan names, with the code
// the default VFS gives for that call's failure, as SQLite's own test harness does. Installed
// as the default VFS of the process: the store opens every database with the default VFS, so
// the real store, on real files, sits behind the fault. Counted calls: open, delete, access,
// and on each file read, write, truncate, sync, size, lock, reserved-lock check, and the
// shared-memory map and locks of the WAL. Unlocking never fails: releasing a lock cannot fail
// on a real system, and SQLite rightly ignores the answer, so a refused one would leave a
// lock held that no real fault leaves.
namespace vfs_en_panne {

// Registers the VFS as the default on the first call; the plan stays disarmed until armed.
PlanDePanne& plan();

}  // namespace vfs_en_panne
