#ifndef CHECKVERSIONSFLOW_H
#define CHECKVERSIONSFLOW_H

class Updater;

// "Check Versions": detects the instrument under the busy dialog, bootstraps
// one that answers nothing once the operator names its model, reports what
// was found and enables "Update" or "Restore".
class CheckVersionsFlow
{
public:
    explicit CheckVersionsFlow(Updater& panel);

    void run();

private:
    void detect();
    bool bootstrap(); // false when the operator ended the program
    bool bootstrapAs(int deviceType);
    void report();
    void reportOperational();
    void giveVerdict();
    void askAboutDowngrade();

    Updater& panel;
};

#endif
