#pragma once

// Local clock time <-> Universal Time. The offset is the zone's state at the moment of the
// call, not at the date converted: a winter date converted in summer gets the summer offset.

namespace somnar::astro {

class UtcOffsetSource {
public:
    virtual ~UtcOffsetSource() = default;
    // Minutes east of Greenwich in force now (Moscow +180).
    virtual int currentOffsetMinutes() const = 0;
};

// The system's zone, asked afresh on every call.
class SystemUtcOffset final : public UtcOffsetSource {
public:
    int currentOffsetMinutes() const override;
};

class FixedUtcOffset final : public UtcOffsetSource {
public:
    explicit FixedUtcOffset(int minutesEast) : m_minutesEast(minutesEast) {}
    int currentOffsetMinutes() const override { return m_minutesEast; }

private:
    int m_minutesEast;
};

const UtcOffsetSource &SystemOffset();

double LocalToUniversal(double localDateTime, const UtcOffsetSource &offset = SystemOffset());
double UniversalToLocal(double universalDateTime, const UtcOffsetSource &offset = SystemOffset());

}
