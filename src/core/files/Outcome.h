#pragma once

#include <QString>
#include <optional>
#include <utility>

// How an operation ended: done, or failed with a whole sentence that names the file and the reason.
// Never ignored: every function returning one is [[nodiscard]] through the type.
struct [[nodiscard]] Outcome {
    bool ok = false;
    QString error;

    static Outcome done() { return {true, {}}; }
    static Outcome failed(QString sentence) { return {false, std::move(sentence)}; }
    explicit operator bool() const { return ok; }
};

// A value, or the sentence saying why there is none.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Outcome failure) : m_error(std::move(failure.error)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const T &operator*() const { return *m_value; }
    const QString &error() const { return m_error; }
    Outcome outcome() const { return m_value ? Outcome::done() : Outcome::failed(m_error); }

private:
    std::optional<T> m_value;
    QString m_error;
};
