#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>
#include <future>
#include <mutex>

// A value read ahead on a thread of its own, for whoever asks for it first:
// take() hands it out once, for the key it was read for, and reads anew
// otherwise, so a later reader never gets a stale answer.
template<typename Value>
class ReadAhead
{
public:
    explicit ReadAhead(std::function<Value(const QByteArray &key)> read)
        : m_read(std::move(read))
    {
    }

    // Starts reading for `key`, unless a read ahead is still waiting to be taken.
    void start(const QByteArray &key)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_value.valid())
            return;
        m_key = key;
        m_value = std::async(std::launch::async, m_read, key);
    }

    // Whether take(key) would hand out a value read ahead without waiting.
    bool isReady(const QByteArray &key)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_value.valid() && m_key == key
               && m_value.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }

    Value take(const QByteArray &key)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_value.valid() || m_key != key) {
            lock.unlock();
            return m_read(key);
        }
        std::future<Value> value = std::move(m_value);
        lock.unlock();
        return value.get();
    }

private:
    const std::function<Value(const QByteArray &key)> m_read;
    std::mutex m_mutex;
    QByteArray m_key;
    std::future<Value> m_value;
};
