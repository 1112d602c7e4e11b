-- Reconnect after an unplug: watch for the same adapter and connect again when it returns. Off by default.
alter table Tools add column ReligaAposPerda integer not null default 0;
