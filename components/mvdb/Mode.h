#pragma once

namespace mvdb {

enum class Mode { LectureSeule, LectureEcriture };

}  // namespace mvdb
