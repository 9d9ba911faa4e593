// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AnswerRecord.h"
#include "storage/PupilSummary.h"
#include "storage/ResultsPeriod.h"

#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcResults)

// Where the answers are kept: the local file or a school's server. Every
// call is made on one thread, the one that made the store; a call that
// fails leaves its reason, naming the place, in problem().
class ResultsStore
{
public:
    // How a save ended.
    enum class Saved {
        Kept, // the answer is in the store now
        AlreadyKept, // a copy with its id was there before
        Failed,
    };

    ResultsStore() = default;
    virtual ~ResultsStore() = default;
    ResultsStore(const ResultsStore &) = delete;
    ResultsStore &operator=(const ResultsStore &) = delete;

    // Opens the store, making its tables or moving them to the current
    // schema. False when it cannot be used; problem() says why.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // The file's path, or the server in words.
    virtual QString location() const = 0;

    virtual Saved save(const AnswerRecord &answer) = 0;
    // One row per pupil with answers in the period, by pupil's name.
    virtual std::optional<QList<PupilSummary>> summary(const PeriodBounds &period) = 0;
    // The pupil's days with answers in the period, earliest first.
    virtual std::optional<QList<PupilDay>> pupilDays(const QString &pupil,
                                                     const PeriodBounds &period) = 0;
    // Looks the whole store over for damage, once a run, and puts right what
    // it finds (problem() and notice() say what). Slow: for idle moments.
    virtual void verify() {}

    // Removes a pupil's answers (the guest's: an empty name), or all answers.
    enum class Whose { Pupil, Everyone };
    virtual bool remove(Whose whose, const QString &pupil = {}) = 0;

    // The last failure in words, naming the place; a write that succeeds
    // clears it.
    QString problem() const { return m_problem; }
    // What the teacher should know although the store works: a damaged file
    // moved aside, a file that takes no new answers. Empty when nothing.
    virtual QString notice() const { return {}; }
    // Where a damaged store was moved aside, this run; empty when it was not.
    virtual QString movedAside() const { return {}; }

protected:
    void setProblem(const QString &text);
    void clearProblem() { m_problem.clear(); }

private:
    QString m_problem;
};
