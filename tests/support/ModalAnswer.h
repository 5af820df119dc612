#ifndef MODALANSWER_H
#define MODALANSWER_H

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// An operator's hand on the first modal dialog of type Dialog that comes up
// while this lives: looked for every 10 ms on the event loop that runs the
// dialog, and handed to `answer` once.
template <typename Dialog>
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer) : answer(std::move(answer))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer.stop();
            answered = true;
            this->answer(dialog);
        });
        timer.start(10);
    }

    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool hasAnswered() const { return answered; }

private:
    std::function<void(Dialog*)> answer;
    QTimer timer;
    bool answered = false;
};

#endif
