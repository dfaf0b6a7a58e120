#pragma once

// A calendar date of the local time zone.
struct CDate {
    int year = 1962;
    int month = 3;
    int day = 1;
    friend bool operator==(const CDate&, const CDate&) = default;
};

// Where the program learns today's date. The program passes one clock to every
// part that needs the date, so tests and the command-line tool can set it.
class CClock {
public:
    virtual ~CClock() = default;
    virtual CDate Today() const = 0;
};
