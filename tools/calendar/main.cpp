#include "commandline.h"
#include "commands.h"
#include "output.h"
#include "version.h"

#include <QCoreApplication>

#include <exception>
#include <stdexcept>

using namespace somnar::calendartool;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    try {
        const CommandLine line = ParseCommandLine(arguments);
        switch (line.command) {
        case Command::Help:
            Out() << UsageText();
            break;
        case Command::Version:
            Out() << "somnar-calendar " << somnar::VersionString << '\n';
            break;
        case Command::Calendar:
            RunCalendar(line);
            break;
        case Command::Moonrise:
            RunMoonrise(line);
            break;
        case Command::Phases:
            RunPhases(line);
            break;
        }
    } catch (const UsageError &error) {
        Err() << "somnar-calendar: " << error.message << "\nTry somnar-calendar --help.\n" << Qt::flush;
        return 2;
    } catch (const std::domain_error &error) {
        Err() << "somnar-calendar: " << error.what() << '\n' << Qt::flush;
        return 2;
    } catch (const std::exception &error) {
        Err() << "somnar-calendar: " << error.what() << '\n' << Qt::flush;
        return 1;
    }
    return 0;
}
