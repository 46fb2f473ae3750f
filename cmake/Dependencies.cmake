# Every library comes from Debian's packages (scripts/setup installs them).
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(SQLite3 REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(CLI11 REQUIRED)
find_package(fmt REQUIRED)
find_package(spdlog REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
pkg_check_modules(SODIUM REQUIRED IMPORTED_TARGET libsodium)
pkg_check_modules(MARIADB REQUIRED IMPORTED_TARGET libmariadb)

# SOCI ships no CMake package on Debian: find its libraries by hand.
find_path(SOCI_INCLUDE_DIR soci/soci.h REQUIRED)
find_library(SOCI_CORE soci_core REQUIRED)
find_library(SOCI_SQLITE3 soci_sqlite3 REQUIRED)
find_library(SOCI_MYSQL soci_mysql REQUIRED)
add_library(soci INTERFACE)
target_include_directories(soci INTERFACE ${SOCI_INCLUDE_DIR} /usr/include/mysql /usr/include/mariadb)
target_link_libraries(soci INTERFACE ${SOCI_SQLITE3} ${SOCI_MYSQL} ${SOCI_CORE} SQLite::SQLite3 PkgConfig::MARIADB ${CMAKE_DL_LIBS})

find_path(HPDF_INCLUDE_DIR hpdf.h REQUIRED)
find_library(HPDF_LIBRARY hpdf REQUIRED)
add_library(hpdf INTERFACE)
target_include_directories(hpdf INTERFACE ${HPDF_INCLUDE_DIR})
target_link_libraries(hpdf INTERFACE ${HPDF_LIBRARY})

find_path(MUSTACHE_INCLUDE_DIR kainjow/mustache.hpp REQUIRED)
