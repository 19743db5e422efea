#include "ui/StoreErrors.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "store/DbError.h"

bool ReportStoreErrors(Prompts &prompts, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const DbError &e) {
        prompts.errorReport(e.number(), e.description(), QString::fromLatin1(chordex::AppTitle));
        return false;
    }
}
