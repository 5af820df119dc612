#include "workflows/FrontEnd.h"

#include "catalogue/OperatorText.h"

OperatorText FrontEnd::continueLine(Action offered) const
{
    if (offered == RestoreAction)
        return OperatorText::tr("Press Restore to continue.");
    return OperatorText::tr("Press Update to continue.");
}

OperatorText FrontEnd::closingLine() const
{
    return OperatorText::tr("You may now close the software.");
}

OperatorText FrontEnd::writtenLine(const QString&, const QString&) const
{
    return OperatorText();
}

OperatorText FrontEnd::downgradeDeclinedLine(const QString& instrument) const
{
    return OperatorText::tr("%1 holds newer firmware than this release; the downgrade was declined.").arg(instrument);
}
